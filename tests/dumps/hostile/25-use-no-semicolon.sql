-- case: use-no-semicolon
-- attack: the client command use needs no semicolon
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
use elsewhere
INSERT INTO t VALUES (2301, 'hostile:use-no-semicolon');

-- case: use-quoted-client
-- attack: use with "double" and 'single' quotes, which only the client accepts
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
use "elsewhere"
INSERT INTO t VALUES (2401, 'hostile:use-quoted-client');
use 'elsewhere'
INSERT INTO t VALUES (2402, 'hostile:use-quoted-client');

-- case: use-short
-- attack: \u, the short form of use
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
\u elsewhere
INSERT INTO t VALUES (2201, 'hostile:use-short');

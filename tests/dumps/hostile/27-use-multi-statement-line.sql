-- case: use-multi-statement-line
-- attack: a switch in the middle of a line of several statements
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO a VALUES (1, 'x'); USE elsewhere; INSERT INTO t VALUES (2501, 'hostile:use-multi-statement-line');

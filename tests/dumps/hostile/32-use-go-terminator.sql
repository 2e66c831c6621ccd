-- case: use-go-terminator
-- attack: \g and \G end statements without a semicolon
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO a VALUES (1, 'x')\gUSE elsewhere\GINSERT INTO t VALUES (3001, 'hostile:use-go-terminator')\g

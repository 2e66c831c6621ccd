-- case: use-in-conditional-comment
-- attack: USE inside comments that the server executes
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
/*!32312 USE elsewhere*/;
INSERT INTO t VALUES (2601, 'hostile:use-in-conditional-comment');
/*M!100000 USE `elsewhere` */;
INSERT INTO t VALUES (2602, 'hostile:use-in-conditional-comment');

-- case: use-after-delimiter-in-comment
-- attack: DELIMITER lines inside comments change nothing
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
/*
DELIMITER //
*/
-- DELIMITER //
INSERT INTO a VALUES (1, 'x'); USE elsewhere; INSERT INTO t VALUES (2801, 'hostile:use-after-delimiter-in-comment');

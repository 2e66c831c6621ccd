-- case: use-after-short-delimiter
-- attack: \d changes the delimiter in the middle of a line
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO a VALUES (1, 'x'); \d //
USE elsewhere// INSERT INTO t VALUES (2901, 'hostile:use-after-short-delimiter')//
DELIMITER ;

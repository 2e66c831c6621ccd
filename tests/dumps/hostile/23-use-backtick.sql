-- case: use-backtick
-- attack: a quoted USE, as mariadb-dump --databases writes it
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
USE `elsewhere`;
INSERT INTO t VALUES (2101, 'hostile:use-backtick');

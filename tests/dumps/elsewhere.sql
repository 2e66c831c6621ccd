CREATE DATABASE /*!32312 IF NOT EXISTS*/ `elsewhere`;
USE `elsewhere`;
DROP TABLE IF EXISTS `notes`;
CREATE TABLE `notes` (`id` int NOT NULL, `body` varchar(200), PRIMARY KEY (`id`));
INSERT INTO `notes` VALUES (1,'USE elsewhere; stays text'),(2,'`elsewhere`.`notes` too');
INSERT INTO `elsewhere`.`notes` VALUES (3,'qualified');

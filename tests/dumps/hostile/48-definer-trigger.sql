-- case: definer-trigger
-- attack: a DEFINER trigger on target writes elsewhere when a later INSERT fires it
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
DELIMITER ;;
/*!50003 CREATE*/ /*!50017 DEFINER=`root`@`localhost`*/ /*!50003 TRIGGER `a_ai` AFTER INSERT ON `a` FOR EACH ROW INSERT INTO `elsewhere`.`t` VALUES (NEW.id + 4600, 'hostile:definer-trigger') */;;
DELIMITER ;
INSERT INTO a VALUES (1, 'fires the trigger');

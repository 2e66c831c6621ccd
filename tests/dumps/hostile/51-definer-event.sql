-- case: definer-event
-- attack: a DEFINER event due at once, with the scheduler switched on by the dump
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SET GLOBAL event_scheduler = ON;
DELIMITER ;;
/*!50106 CREATE*/ /*!50117 DEFINER=`root`@`localhost`*/ /*!50106 EVENT `e` ON SCHEDULE AT CURRENT_TIMESTAMP ON COMPLETION PRESERVE ENABLE DO INSERT INTO elsewhere.t VALUES (4901, 'hostile:definer-event') */ ;;
DELIMITER ;
DO SLEEP(2);

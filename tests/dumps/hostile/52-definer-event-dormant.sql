-- case: definer-event-dormant
-- attack: a DEFINER event that waits for whoever switches the scheduler on
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
DELIMITER ;;
/*!50106 CREATE*/ /*!50117 DEFINER=`root`@`localhost`*/ /*!50106 EVENT `e_later` ON SCHEDULE EVERY 1 SECOND ON COMPLETION PRESERVE ENABLE DO INSERT IGNORE INTO elsewhere.t VALUES (5001, 'hostile:definer-event-dormant') */ ;;
DELIMITER ;

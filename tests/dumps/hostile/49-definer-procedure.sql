-- case: definer-procedure
-- attack: a SQL SECURITY DEFINER procedure writes elsewhere on CALL
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
DELIMITER ;;
CREATE DEFINER=`root`@`localhost` PROCEDURE `p`()
    MODIFIES SQL DATA
    SQL SECURITY DEFINER
BEGIN
  INSERT INTO elsewhere.t VALUES (4701, 'hostile:definer-procedure');
END ;;
DELIMITER ;
CALL p();

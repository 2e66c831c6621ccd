-- case: definer-view
-- attack: DEFINER views: an INSERT through one, a SELECT of one that calls a writing function
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
CREATE ALGORITHM=UNDEFINED DEFINER=`root`@`localhost` SQL SECURITY DEFINER VIEW `v` AS SELECT id, v FROM elsewhere.t;
INSERT INTO v VALUES (4801, 'hostile:definer-view');
DELIMITER ;;
CREATE DEFINER=`root`@`localhost` FUNCTION `f`() RETURNS int(11)
    MODIFIES SQL DATA
    SQL SECURITY DEFINER
BEGIN
  INSERT INTO elsewhere.t VALUES (4802, 'hostile:definer-view');
  RETURN 1;
END ;;
DELIMITER ;
CREATE ALGORITHM=UNDEFINED DEFINER=`root`@`localhost` SQL SECURITY DEFINER VIEW `v2` AS SELECT f() AS x;
SELECT * FROM v2;

SET @s = @@sql_mode;
SET sql_mode = 'NO_BACKSLASH_ESCAPES,ANSI_QUOTES';
INSERT INTO "shop"."t" VALUES ('a\', 'b');
SET sql_mode = @s;
CREATE DEFINER=`root`@`%` TRIGGER tr BEFORE INSERT ON t FOR EACH ROW SET NEW.a = 1;
CREATE VIEW v AS SELECT 1;
SET @@SESSION.SQL_LOG_BIN= 0;
SET sql_mode = CONCAT(@@sql_mode, 'x');
INSERT INTO t VALUES ('\');

-- case: shell-no-backslash-escapes
-- attack: with NO_BACKSLASH_ESCAPES the \' ends the string
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
/*!40101 SET @OLD_SQL_MODE=@@SQL_MODE, SQL_MODE='NO_AUTO_VALUE_ON_ZERO,NO_BACKSLASH_ESCAPES' */;
INSERT INTO a VALUES (1, 'C:\'); \! touch /tmp/tw-marker-shell-no-backslash-escapes #');
INSERT INTO a VALUES (2, 'after');

-- case: shell-sql-mode-computed
-- attack: sql_mode set from a value computed at run time
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SET @m = CONCAT('NO_BACKSLASH', '_ESCAPES');
SET SESSION sql_mode = @m;
INSERT INTO a VALUES (1, 'C:\'); \! touch /tmp/tw-marker-shell-sql-mode-computed #');
INSERT INTO a VALUES (2, 'after');

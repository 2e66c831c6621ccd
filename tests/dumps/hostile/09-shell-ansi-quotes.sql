-- case: shell-ansi-quotes
-- attack: with ANSI_QUOTES a backslash does not escape the " that ends an identifier
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SET sql_mode = 'ANSI_QUOTES';
SELECT 1 AS "x\"; \! touch /tmp/tw-marker-shell-ansi-quotes #";
INSERT INTO a VALUES (1, 'after');

-- case: prepare-concat
-- attack: a statement built with CONCAT at run time
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SET @q = CONCAT('INSERT INTO ', 'else', 'where', '.t VALUES (3901, ', QUOTE('hostile:prepare-concat'), ')');
PREPARE s FROM @q;
EXECUTE s;
DEALLOCATE PREPARE s;
EXECUTE IMMEDIATE CONCAT('INSERT INTO ', CHAR(101,108,115,101,119,104,101,114,101), '.t VALUES (3902, ''hostile:prepare-concat'')');

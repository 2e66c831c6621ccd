-- case: editor
-- attack: \e and edit start $EDITOR (vi when unset) on the statement so far
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SELECT 1 \e
;
edit
INSERT INTO a VALUES (1, 'after');

-- case: multi-table-update-delete
-- attack: UPDATE and DELETE over target and elsewhere at once
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO a VALUES (1, 'x');
UPDATE a, elsewhere.t SET elsewhere.t.v = 'hostile:multi-table-update-delete' WHERE a.id = 1;
DELETE a, x FROM a JOIN elsewhere.t AS x ON x.id >= a.id;

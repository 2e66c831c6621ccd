-- case: drop-qualified
-- attack: DROP TABLE with a list that names a table elsewhere
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
DROP TABLE IF EXISTS a, elsewhere.t;

-- case: alter-qualified
-- attack: ALTER TABLE on elsewhere, and a rename into it
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
ALTER TABLE elsewhere.t ADD COLUMN hostile INT;
ALTER TABLE a RENAME elsewhere.a_moved;

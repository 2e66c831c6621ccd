-- case: rename-out
-- attack: RENAME TABLE moves a table out of elsewhere into target
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
RENAME TABLE elsewhere.t TO target.t_taken;

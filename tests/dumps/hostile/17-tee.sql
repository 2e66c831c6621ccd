-- case: tee
-- attack: tee and \T open a file of the dump's choosing
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
tee /tmp/tw-marker-tee
\T /tmp/tw-marker-tee
INSERT INTO a VALUES (1, 'after');

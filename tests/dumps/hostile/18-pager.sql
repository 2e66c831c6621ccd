-- case: pager
-- attack: pager and \P name a program that results are piped to
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
pager touch /tmp/tw-marker-pager
SELECT 1;
\P touch /tmp/tw-marker-pager
SELECT 2;
INSERT INTO a VALUES (1, 'after');

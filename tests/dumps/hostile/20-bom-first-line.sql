\! touch /tmp/tw-marker-bom-first-line #
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO a VALUES (1, 'after');

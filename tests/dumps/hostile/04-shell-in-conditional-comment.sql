-- case: shell-in-conditional-comment
-- attack: \! inside a versioned comment, which the client reads as code
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
/*!40101 \! touch /tmp/tw-marker-shell-in-conditional-comment # */;
INSERT INTO a VALUES (1, 'after');

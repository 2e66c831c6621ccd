-- case: shell-after-dashdash-tab
-- attack: -- followed by a tab (or the line end) is a comment too
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO a VALUES (1, 'x'); --	'
\! touch /tmp/tw-marker-shell-after-dashdash-tab #'
INSERT INTO a VALUES (2, 'y'); --
INSERT INTO a VALUES (3, 'after');

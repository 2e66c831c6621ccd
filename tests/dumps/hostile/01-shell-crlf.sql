-- case: shell-crlf
-- attack: a shell command between lines that end in CR LF
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO a VALUES (1, 'before');
\! touch /tmp/tw-marker-shell-crlf #
INSERT INTO a VALUES (2, 'after');

-- case: shell-quoted-args
-- attack: a short command with quoted arguments
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
\! "touch" '/tmp/tw-marker-shell-quoted-args'
INSERT INTO a VALUES (1, 'after');

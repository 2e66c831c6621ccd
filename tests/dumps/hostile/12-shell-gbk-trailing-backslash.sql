-- case: shell-gbk-trailing-backslash
-- attack: \C gbk: the byte 0x5C ends a two-byte letter, so it escapes nothing
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
\C gbk
SELECT '¿\' AS x; \! touch /tmp/tw-marker-shell-gbk-trailing-backslash # ';
INSERT INTO a VALUES (1, 'after');

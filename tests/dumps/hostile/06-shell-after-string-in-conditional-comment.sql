-- case: shell-after-string-in-conditional-comment
-- attack: a '/*' string inside /*! */ opens no nested comment
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
/*!40101 SET @x = '/*' */; \! touch /tmp/tw-marker-shell-after-string-in-conditional-comment # '*/'
INSERT INTO a VALUES (1, 'after');

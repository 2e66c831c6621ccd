-- case: shell-after-nested-comment
-- attack: comments do not nest: the first */ ends the comment and \! runs
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
/* outer /* inner */ \! touch /tmp/tw-marker-shell-after-nested-comment # */
INSERT INTO a VALUES (1, 'after');

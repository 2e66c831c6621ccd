-- case: source-outfile
-- attack: the server writes a script, then source and \. run it
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SELECT '\\! touch /tmp/tw-marker-source-outfile' INTO OUTFILE '/tmp/tw-hostile-source.sql' FIELDS ESCAPED BY '';
source /tmp/tw-hostile-source.sql
\. /tmp/tw-hostile-source.sql
INSERT INTO a VALUES (1, 'after');

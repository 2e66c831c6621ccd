-- case: select-into-outfile
-- attack: the server writes files of the dump's choosing
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SELECT 'x' INTO OUTFILE '/tmp/tw-marker-select-into-outfile';
SELECT 'x' INTO DUMPFILE '/tmp/tw-marker-select-into-outfile-dumpfile';

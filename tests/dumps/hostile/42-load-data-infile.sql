-- case: load-data-infile
-- attack: LOAD DATA reads files into a table elsewhere
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SELECT 'hostile:load-data-infile' INTO OUTFILE '/tmp/tw-hostile-load.txt';
LOAD DATA INFILE '/tmp/tw-hostile-load.txt' INTO TABLE elsewhere.t (v) SET id = 4001;
LOAD DATA LOCAL INFILE '/tmp/tw-hostile-load.txt' INTO TABLE elsewhere.t (v) SET id = 4002;

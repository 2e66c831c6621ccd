-- case: connect
-- attack: connect and \r reconnect to another database
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
connect elsewhere
INSERT INTO t VALUES (2001, 'hostile:connect');
\r elsewhere
INSERT INTO t VALUES (2002, 'hostile:connect');

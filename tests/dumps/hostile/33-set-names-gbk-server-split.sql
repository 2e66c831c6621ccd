-- case: set-names-gbk-server-split
-- attack: after SET NAMES gbk the server ends a string where the client does not
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
SET NAMES gbk;
SELECT '¿\' AS x; USE elsewhere; INSERT INTO t VALUES (3101, 0x686f7374696c653a7365742d6e616d65732d67626b2d7365727665722d73706c6974); -- '
DO 0;

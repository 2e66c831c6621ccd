CREATE TABLE t (a INT);
\d ;;
SELECT 1;;
SELECT 2; \d //
USE
/* x */
elsewhere;;
\d ;
INSERT INTO t VALUES (1)
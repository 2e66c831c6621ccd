/*M!999999\- enable the sandbox mode */ \! touch /tmp/tw-marker-sandbox-line-trailing #
-- MariaDB dump 10.19  Distrib 10.11.6-MariaDB, for debian-linux-gnu (x86_64)
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO a VALUES (1, 'after');

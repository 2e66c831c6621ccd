-- case: grant-create-user
-- attack: CREATE USER and GRANT make a way in for later
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
CREATE USER IF NOT EXISTS 'tw_hostile'@'%';
GRANT ALL PRIVILEGES ON *.* TO 'tw_hostile'@'%' WITH GRANT OPTION;
GRANT ALL PRIVILEGES ON `elsewhere`.* TO 'tw_hostile'@'%';

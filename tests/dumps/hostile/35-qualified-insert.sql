-- case: qualified-insert
-- attack: qualified names, quoted, spaced and with comments between the parts
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO elsewhere.t VALUES (3301, 'hostile:qualified-insert');
INSERT INTO `elsewhere`.`t` VALUES (3302, 'hostile:qualified-insert');
INSERT INTO elsewhere /* x */ . /* y */ t VALUES (3303, 'hostile:qualified-insert');
REPLACE INTO `elsewhere`
.
t VALUES (3304, 'hostile:qualified-insert');
INSERT INTO elsewhere.t SELECT 3305, 'hostile:qualified-insert';

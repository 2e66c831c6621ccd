-- case: last-statement-unterminated
-- attack: the last statement has no delimiter and no line end
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
INSERT INTO elsewhere.t VALUES (4501, 'hostile:last-statement-unterminated')
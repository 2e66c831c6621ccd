-- case: system-long-form
-- attack: the long form of \!, indented and in mixed case
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
  SyStEm touch /tmp/tw-marker-system-long-form
INSERT INTO a VALUES (1, 'after');

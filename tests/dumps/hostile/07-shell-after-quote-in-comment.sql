-- case: shell-after-quote-in-comment
-- attack: apostrophes in -- and # comments open no string
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
-- the customer's notes follow
\! touch /tmp/tw-marker-shell-after-quote-in-comment #
# and "this" one's too
INSERT INTO a VALUES (1, 'after');

-- case: create-table-select
-- attack: CREATE TABLE ... SELECT into elsewhere
CREATE TABLE a (id INT PRIMARY KEY, note VARCHAR(200));
CREATE TABLE elsewhere.t_copy SELECT 3801 AS id, 'hostile:create-table-select' AS v;
CREATE TABLE IF NOT EXISTS elsewhere.t SELECT 3802 AS id, 'hostile:create-table-select' AS v;

-- case: shell-nonascii-letters
-- attack: non-ASCII letters in names, strings and right before \!
CREATE TABLE `añadidos_ü` (id INT PRIMARY KEY, `notiz_ß` VARCHAR(200));
INSERT INTO `añadidos_ü` VALUES (1, 'ünïcødé ✓ 𝄞 ĳ ǅ Ωmega');
Ünïcødé𝄞\! touch /tmp/tw-marker-shell-nonascii-letters #
INSERT INTO `añadidos_ü` VALUES (2, 'after');

-- A saved universal report keeps the whole statement the builder made: all 66 columns of
-- "Užitkovosť kráv" with their display names and a condition run well past the thousand
-- characters the first release gave the column, and a statement cut short prints another list.
ALTER TABLE sys_zostavy MODIFY sqlvyraz MEDIUMTEXT NULL;

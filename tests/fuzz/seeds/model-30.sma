2
0, "quoted, with comma"
4, 
2
1, 1, 0, "quoted, with comma"
2, 1, 0, "quoted, with comma"
1
2E8, x
2
0.0004, "quoted, with comma"
0.0004, 
1
2, 1, 1, 2, "quoted, with comma"
2
1, 4, -4
13
0, 0, span
1, 4, 8, 12, 1, 0, span
1
1, -4, 1, "quoted, with comma"

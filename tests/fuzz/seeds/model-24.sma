2
0, span
8.5, x
2
1, 1, 0, span
2, 1, 0, 
2
2E8, 
2E8, x
2
0.0004, x
0.0004, "quoted, with comma"
1
2, 1, 2, 2, "quoted, with comma"
3
1, 1, -2, 5, 0.5
0.25, "quoted, with comma"
1, 3, 11, 2, 0, 0, "quoted, with comma"
1, 3, -3, 2, 1, 0.25, x
0

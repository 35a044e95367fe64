4
0, "quoted, with comma"
7.5, span
13, 
21.5, "quoted, with comma"

2
1, 1, 1, span
4, 1, 0, span
2
2E8, span
2E8, span
1
0.0004, span
3
1, 2, 2, 1, span
2, 3, 1, 1, "quoted, with comma"
3, 4, 1, 1, "quoted, with comma"
2
3, 3, 11, -3, 0.5, 0.25, span
3
2, 5, 9, 1, 0.25, span
2
3, 4, 3, x
1, -5, 0, x

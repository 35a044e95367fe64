2
0, x
2.5, "quoted, with comma"
2
1, 1, 0, span
2, 1, 0, span
2
2E8, span
2E8, 

2
0.0004, span
0.0004, "quoted, with comma"
1
1
2, 1, 1, x

0
2
2, -4, 2, "quoted, with comma"
1, -1, 1, "quoted, with comma"

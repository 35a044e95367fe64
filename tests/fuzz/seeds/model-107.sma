5
0, x
7, "quoted, with comma"
9, span
16, "quoted, with comma"
23.5, 
2
1, 1, 0, 
5, 1, 0, x
1
2E8, "quoted, with comma"
2
0.0004, "quoted, with comma"
0.0004, x
4
1, 2, 1, 1, span
2, 3
1, 2, "quoted, with comma"
3, 4, 1
2, span
4, 5, 1, 2, 
2
4, 4, -2, 5, 1, 0.25, "quoted, with comma"
1, 2, 12, 14, 0.5, 0.5, 
2
4, -2, 1, x
5, 0, 1, 

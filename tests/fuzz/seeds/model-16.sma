5
0, "quoted, with comma"
9.5, 
17.5, x
27, 
36.5, span
2
1, 1, 0, x
5, 1, 0, x
1
2E8, "quoted, with comma"
2
8.5E-6, span
0.0004, span
4
1, 2, 1
1, "quoted, with comma"
2, 3, 1, 1, "quoted, with comma"
3, 4, 1, 2, "quoted, with comma"
4, 5, 1, 2, 
2
3, 4
4
11, 0.5, 0.5, "quoted, with comma"
1, 3, 4, 6, 1, 0.5, 
2
3, -5, 1, "quoted, with comma"
2, 0, 3, span

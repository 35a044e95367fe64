4
0, "quoted, with comma"
1, 
5.5, "quoted, with comma"
7, "quoted, with comma"

2
1, 1, 0, "quoted, with comma"
4, 1, 0, "quoted, with comma"
1
2E8, 
2
8.5E-6, span
8.5E-6, span
3
2, 1, 1, 1, span
2, 3, 1, 2, x
4, 3, 1, 2, "quoted, with comma"
4
1, 1, 3, 4, 1, 0.25, x
1, 1, -3, -3
1, 0, span
3, 4, -3, 5, 0, 0.5, x
2, 2, 0, 8, 1, 0, x
2
4, 4, 1, x
1, -2, 2, span

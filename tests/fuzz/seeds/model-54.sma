7
0, span
5.5, span
10, x
16, 
24, "quoted, with comma"
27.5, "quoted, with comma"
33.5, x
2
1, 1, 1, x
7, 1, 0, x
2
2E8, "quoted, with comma"
2E8, span
2
8.5E-6, span
8.5E-6, 
6
2, 1, 1, 1, span
3, 2
1, 1, span
3, 4, 1, 2, span
5, 4, 1, 1, "quoted, with comma"
5, 6, 1
1, span
6, 7, 1, 1, "quoted, with comma"
3
2, 4, 3, 12
0.5, 0.25, span
3, 4, 2, -4
0.5, 0.5, x
4, 3, -3, -1, 0.5, 0.5, "quoted, with comma"
0

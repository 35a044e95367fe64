7
0, x
7, "quoted, with comma"
13.5, span
22.5, span
27.5, 
34, span
41, "quoted, with comma"
2
1, 1, 0, 
7, 1, 0, span

2
2E8, "quoted, with comma"
2E8, span
2
8.5E-6, 
8.5E-6, span
6
1, 2
1, 1, "quoted, with comma"
3, 2, 1, 2, span
3, 4, 2, 2, "quoted, with comma"
4, 5, 1, 2, "quoted, with comma"
5, 6, 2, 1, "quoted, with comma"
6, 7, 2
1, x
3
5, 4, 11, 6, 0, 0.5, x
6, 2, -1
4, 0, 0.5, 
2, 1, -5, 5, 1, 0.25, "quoted, with comma"
0

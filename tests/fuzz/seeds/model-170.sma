6
0, span
6, span
8, 
12, 
18.5, 
20.5, span
2
1, 1, 1, "quoted, with comma"
6, 1, 0, x
1
2.1e+11, x
1
8.5E-6, x
5
1, 2, 1, 1, span
3, 2, 1, 1, x
3, 4, 1, 1, 
4, 5, 1, 1, 
6, 5, 1, 1, "quoted, with comma"
3
1
1, -4, -4, 1, 0.25, "quoted, with comma"
1, 4, 10, 14, 0, 0, 
2, 2, 9, -3, 0.5
0, "quoted, with comma"
0

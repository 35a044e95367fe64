6
0, "quoted, with comma"
5, x
8, x
17.5, "quoted, with comma"
21.5, span
30.5, 
2
1, 1, 1, 
6, 1, 0, "quoted, with comma"
2
2.1e+11, 
2.1e+11, 
1
8.5E-6, "quoted, with comma"
5
2, 1, 1, 1, span
2, 3, 1, 1, 
3, 4, 2, 1, 
4, 5, 1, 1, 
5, 6, 2
1, x
3
3
3, 2, 9, 0.5, 0, "quoted, with comma"
2
4, 4, 9, 0, 0.5, x
4, 1, 14, 14, 0.5, 0, "quoted, with comma"

2
2, 2, 3, x
2, -4, 1, x

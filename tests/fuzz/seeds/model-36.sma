6
0, 
7, "quoted, with comma"
15.5, "quoted, with comma"
24, 
25.5, x
33.5, 
2
1, 1, 0, "quoted, with comma"
6, 1
0, "quoted, with comma"
2
2E8, "quoted, with comma"
2E8, "quoted, with comma"
1
8.5E-6, x
5
1, 2, 2, 1, "quoted, with comma"
2, 3, 1, 1, 
3, 4, 2, 1, 
5, 4
2, 1, "quoted, with comma"
5, 6, 2, 1, x
2
2, 1, 10, 6, 0.5
0.5, "quoted, with comma"
2, 3, -4, 6, 0.5, 0.5, "quoted, with comma"
2
3
2, 1, "quoted, with comma"
4, 3, 3, x
